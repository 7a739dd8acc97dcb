-- Insurers of the assets system. The fleet program inserts without a column list, so the order
-- of these columns is fixed. CNPJ and telephone are kept as digits only.
create table seguradoras_patrim (
  sg_cod integer not null,
  sg_nome varchar(40),
  sg_cnpj varchar(14),
  sg_resp varchar(40),
  sg_end varchar(50),
  sg_cid varchar(40),
  sg_fone varchar(11),
  constraint pk_seguradoras_patrim primary key (sg_cod)
);

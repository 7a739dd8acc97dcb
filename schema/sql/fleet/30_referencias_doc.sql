-- Reference tables of the vehicle registration document, read into pick lists with
-- "select * from vkl_cores" and the like, without an order. The colour, species, restriction
-- and category lists pick their item by position, so those codes run 00, 01, 02 ... without a
-- gap and are loaded in that order; the body list matches by text, the document type by code.
-- Each table's rows go in one block, in the order written.

create table vkl_cores (
  cor_cod char(2) not null,
  cor_descr varchar(15),
  constraint pk_vkl_cores primary key (cor_cod)
);

create table vkl_tipos_carroc (
  tpc_cod char(3) not null,
  tpc_descr varchar(25),
  constraint pk_vkl_tipos_carroc primary key (tpc_cod)
);

create table vkl_espec_veic (
  esv_cod char(2) not null,
  esv_descr varchar(20),
  constraint pk_vkl_espec_veic primary key (esv_cod)
);

create table vkl_restricoes (
  rt_cod char(2) not null,
  rt_descr varchar(40),
  constraint pk_vkl_restricoes primary key (rt_cod)
);

create table vkl_categorias (
  cat_cod char(2) not null,
  cat_descr varchar(30),
  constraint pk_vkl_categorias primary key (cat_cod)
);

create table vkl_tp_veic_doc (
  tvd_cod integer not null,
  tvd_descr varchar(40),
  constraint pk_vkl_tp_veic_doc primary key (tvd_cod)
);

SET TERM ^ ;

execute block as
begin
  insert into vkl_cores (cor_cod, cor_descr) values ('00', 'NÃO INFORMADA');
  insert into vkl_cores (cor_cod, cor_descr) values ('01', 'AMARELA');
  insert into vkl_cores (cor_cod, cor_descr) values ('02', 'AZUL');
  insert into vkl_cores (cor_cod, cor_descr) values ('03', 'BEGE');
  insert into vkl_cores (cor_cod, cor_descr) values ('04', 'BRANCA');
  insert into vkl_cores (cor_cod, cor_descr) values ('05', 'CINZA');
  insert into vkl_cores (cor_cod, cor_descr) values ('06', 'DOURADA');
  insert into vkl_cores (cor_cod, cor_descr) values ('07', 'GRENÁ');
  insert into vkl_cores (cor_cod, cor_descr) values ('08', 'LARANJA');
  insert into vkl_cores (cor_cod, cor_descr) values ('09', 'MARROM');
  insert into vkl_cores (cor_cod, cor_descr) values ('10', 'PRATA');
  insert into vkl_cores (cor_cod, cor_descr) values ('11', 'PRETA');
  insert into vkl_cores (cor_cod, cor_descr) values ('12', 'ROSA');
  insert into vkl_cores (cor_cod, cor_descr) values ('13', 'ROXA');
  insert into vkl_cores (cor_cod, cor_descr) values ('14', 'VERDE');
  insert into vkl_cores (cor_cod, cor_descr) values ('15', 'VERMELHA');
  insert into vkl_cores (cor_cod, cor_descr) values ('16', 'FANTASIA');
end^

execute block as
begin
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('000', 'NENHUMA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('101', 'AMBULÂNCIA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('102', 'BASCULANTE');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('103', 'BLINDADA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('104', 'BUGRE');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('105', 'CABINE DUPLA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('106', 'CARROCERIA ABERTA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('107', 'CARROCERIA FECHADA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('108', 'CHASSI PLATAFORMA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('109', 'FURGÃO');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('110', 'GRANELEIRO');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('111', 'PRANCHA');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('112', 'TANQUE');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('113', 'TRANSPORTE ESCOLAR');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('114', 'COLETOR DE LIXO');
  insert into vkl_tipos_carroc (tpc_cod, tpc_descr) values ('115', 'GUINDASTE');
end^

execute block as
begin
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('00', 'NÃO INFORMADA');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('01', 'PASSAGEIRO');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('02', 'CARGA');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('03', 'MISTO');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('04', 'COMPETIÇÃO');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('05', 'TRAÇÃO');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('06', 'ESPECIAL');
  insert into vkl_espec_veic (esv_cod, esv_descr) values ('07', 'COLEÇÃO');
end^

execute block as
begin
  insert into vkl_restricoes (rt_cod, rt_descr) values ('00', 'NENHUMA');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('01', 'ALIENAÇÃO FIDUCIÁRIA');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('02', 'ARRENDAMENTO MERCANTIL');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('03', 'RESERVA DE DOMÍNIO');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('04', 'PENHOR');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('05', 'RESTRIÇÃO JUDICIAL');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('06', 'RESTRIÇÃO ADMINISTRATIVA');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('07', 'BENEFÍCIO TRIBUTÁRIO');
  insert into vkl_restricoes (rt_cod, rt_descr) values ('08', 'ROUBO OU FURTO');
end^

execute block as
begin
  insert into vkl_categorias (cat_cod, cat_descr) values ('00', 'NÃO INFORMADA');
  insert into vkl_categorias (cat_cod, cat_descr) values ('01', 'PARTICULAR');
  insert into vkl_categorias (cat_cod, cat_descr) values ('02', 'ALUGUEL');
  insert into vkl_categorias (cat_cod, cat_descr) values ('03', 'OFICIAL');
  insert into vkl_categorias (cat_cod, cat_descr) values ('04', 'REPRESENTAÇÃO DIPLOMÁTICA');
  insert into vkl_categorias (cat_cod, cat_descr) values ('05', 'EXPERIÊNCIA');
  insert into vkl_categorias (cat_cod, cat_descr) values ('06', 'APRENDIZAGEM');
  insert into vkl_categorias (cat_cod, cat_descr) values ('07', 'FABRICANTE');
  insert into vkl_categorias (cat_cod, cat_descr) values ('08', 'COLEÇÃO');
end^

execute block as
begin
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (0, 'NÃO INFORMADO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (2, 'CICLOMOTOR');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (3, 'MOTONETA');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (4, 'MOTOCICLETA');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (5, 'TRICICLO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (6, 'AUTOMÓVEL');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (7, 'MICROÔNIBUS');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (8, 'ÔNIBUS');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (10, 'REBOQUE');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (11, 'SEMI-REBOQUE');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (13, 'CAMIONETA');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (14, 'CAMINHÃO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (17, 'CAMINHÃO TRATOR');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (18, 'TRATOR DE RODAS');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (19, 'TRATOR DE ESTEIRAS');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (20, 'TRATOR MISTO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (21, 'QUADRICICLO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (23, 'CAMINHONETE');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (25, 'UTILITÁRIO');
  insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (26, 'MOTOR-CASA');
end^

SET TERM ; ^

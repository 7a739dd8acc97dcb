create table vkl_motoristas (
  mo_cod integer not null,
  mo_nome varchar(40),
  mo_apelido varchar(20),
  mo_situa char(2),
  constraint pk_vkl_motoristas primary key (mo_cod)
);
